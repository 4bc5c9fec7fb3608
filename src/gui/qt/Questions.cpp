// The questions as Qt's modal boxes and choosers: a message's help key asks for its topic, and a
// message may come up at a place below its owner's top.
#include "dialogs/Questions.h"

#include "gui/qt/Hints.h"
#include "gui/qt/ProgramFilter.h"
#include "gui/qt/WindowsColors.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QMessageBox::Icon IconOf(core::MessageKind kind) {
    static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::Critical, QMessageBox::Information,
                                                   QMessageBox::Question};
    return kIcons[static_cast<int>(kind)];
}

// "Programme|*.exe|Alle|*.*" as Qt writes it: "Programme (*);;Alle (*)", the patterns not shown.
// The choices of "*.exe" list the files the user may execute instead: programs as Linux has them.
struct QtFilter {
    explicit QtFilter(const std::string& filter) {
        const QStringList parts = QString::fromStdString(filter).split('|');
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
            QString pattern = parts[i + 1];
            const bool programs = pattern.compare("*.exe", Qt::CaseInsensitive) == 0;
            pattern.replace(';', ' ').replace("*.*", "*");
            choices << parts[i] + " (" + (programs ? QString("*") : pattern) + ")";
            if (programs) {
                programChoices << choices.back();
            }
        }
    }
    QStringList choices;
    QStringList programChoices;
};

} // namespace

namespace dialogs {

Answer Ask(QuestionOwner owner, const MessageQuestion& question) {
    auto* parent = static_cast<QWidget*>(owner);
    const bool yesNo = question.buttons == MessageButtons::YesNo;
    QString shown = QString::fromStdString(question.text);
    shown.replace('\r', '\n');
    QMessageBox box(IconOf(question.kind), QApplication::applicationName(), shown,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    qtface::SetHelpContext(&box, question.helpContext);
    qtface::EnableHelpKey(&box);
    if (question.belowTop && parent != nullptr) {
        const QRect frame = parent->frameGeometry();
        box.move(frame.left(), frame.top() + *question.belowTop);
    }
    const int answer = box.exec();
    return !yesNo ? Answer::Ok : answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// Qt's choosers take the start as it stands and leave the current folder alone.
std::optional<std::string> AskPath(QuestionOwner owner, const PathQuestion& question) {
    // Qt's own chooser: its folder chooser has a field to type a folder into, and its file list
    // takes the program filter.
    QFileDialog chooser(static_cast<QWidget*>(owner), QString::fromStdString(question.title),
                        QString::fromStdString(question.start));
    chooser.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    const QtFilter filter(question.filter);
    if (question.kind != PathKind::Folder && !filter.choices.isEmpty()) {
        chooser.setNameFilters(filter.choices);
        auto* programs = new qtface::ProgramFilter(&chooser);
        chooser.setProxyModel(programs);
        const auto follow = [&filter, programs](const QString& choice) {
            programs->SetActive(filter.programChoices.contains(choice));
        };
        QObject::connect(&chooser, &QFileDialog::filterSelected, programs, follow);
        follow(filter.choices.first());
    }
    // An existing file is taken by its name as it is: Linux programs have no extension.
    if (question.kind == PathKind::SaveFile) {
        chooser.setDefaultSuffix(QString::fromStdString(question.defaultExt));
    }
    switch (question.kind) {
    case PathKind::OpenFile:
        chooser.setFileMode(QFileDialog::ExistingFile);
        break;
    case PathKind::SaveFile:
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        break;
    case PathKind::Folder:
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chooser.selectedFiles().first().toStdString();
}

std::optional<int> AskColor(QuestionOwner owner, int current) {
    const QColor preset = qtface::ColorFromWindowsColor(current);
    const QColor chosen = QColorDialog::getColor(preset, static_cast<QWidget*>(owner));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    // The preset confirmed as it is: a system colour stays the system colour.
    return chosen.rgb() == preset.rgb() ? current : qtface::WindowsColorOf(chosen);
}

} // namespace dialogs
