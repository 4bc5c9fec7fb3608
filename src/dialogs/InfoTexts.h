// The info dialog's texts: German, or English when the user's language is not German.
#pragma once

#include <string>
#include <vector>

namespace dialogs {

struct InfoTexts {
    const char* datePrefix;
    const char* updateQuestion; // %f installed, %f server
    const char* zipOpenerFailed;
    const char* saveFilter; // description|pattern
    const char* captionPrefix;
    const char* progress;          // %d received, %d announced
    const char* finalInstructions; // %f installed, %f server
    const char* connectionProblem;
    const char* noNewerVersion;
    const char* saveFailed; // followed by the file's name
    const char* notSigned;
    const char* getNewVersionCaption;
    const char* homepageCaption;
    const char* emailCaption;
};

// 0 German, 1 English, 2 any other language, from the primary language number (7 German, 9
// English).
int UserLanguage(int primaryLanguage);

// German for 0, English for every other language.
const InfoTexts& InfoTextsFor(int userLanguage);

// The template with each %f or %d replaced by the next value, in order.
std::string FillTemplate(const std::string& text, const std::vector<std::string>& values);

} // namespace dialogs
