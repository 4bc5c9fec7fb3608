#include "gui/qt/controls/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <vector>

namespace qtface {

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdString());
        }
    }
    return paths;
}

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QWidget* widget, std::string control, dialogs::DialogEvents& events,
                   std::function<int(const QPoint&)> rowAt)
        : QObject(widget), widget_(widget), control_(std::move(control)), events_(events),
          rowAt_(std::move(rowAt)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return false;
        }
        auto& drop = *static_cast<QDropEvent*>(event);
        std::vector<std::string> paths = LocalFiles(drop.mimeData());
        if (paths.empty()) {
            return false;
        }
        drop.acceptProposedAction();
        if (type == QEvent::Drop) {
            const int row = rowAt_ ? rowAt_(drop.position().toPoint()) : -1;
            QTimer::singleShot(0, widget_, [this, row, paths = std::move(paths)] {
                events_.FilesDropped(control_, row, paths);
            });
        }
        return true;
    }

  private:
    QWidget* widget_;
    std::string control_;
    dialogs::DialogEvents& events_;
    std::function<int(const QPoint&)> rowAt_;
};

} // namespace

void AcceptFileDrops(QWidget* widget, const std::string& control, dialogs::DialogEvents& events,
                     std::function<int(const QPoint&)> rowAt) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(new FileDropFilter(widget, control, events, std::move(rowAt)));
}

} // namespace qtface
