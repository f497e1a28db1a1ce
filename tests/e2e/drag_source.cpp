// A file manager's part in a drag, for the end-to-end runs: a small window titled "drag source"
// that starts a drag of the files named on its command line (text/uri-list with local files)
// when a mouse button is pressed on it, then prints "taken" or "refused". It stays until it is
// ended: the target asks for the dragged data after the drop.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : m_files(std::move(files)) {
        setWindowTitle("drag source");
        setFixedSize(160, 120);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls(m_files);
        QDrag drag(this);
        drag.setMimeData(data);
        const Qt::DropAction done = drag.exec(Qt::CopyAction);
        std::printf("%s\n", done == Qt::CopyAction ? "taken" : "refused");
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_files;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QList<QUrl> files;
    for (const QString& path : QApplication::arguments().mid(1)) {
        files.append(QUrl::fromLocalFile(path));
    }
    DragSource source(files);
    source.move(0, 0);
    source.show();
    return QApplication::exec();
}
