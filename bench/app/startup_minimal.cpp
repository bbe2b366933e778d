// The yardstick: a minimal Qt Widgets program with one 800 x 600 window of 30 labels.
#include "PeakMemory.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class Window : public QWidget
{
protected:
    bool event(QEvent* event) override
    {
        const bool result = QWidget::event(event);
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, [] {
                std::printf("PAINTED %ld\n", peakMemoryKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return result;
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.resize(800, 600);
    for (int i = 0; i < 30; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
        label->setGeometry(20 + (i % 3) * 260, 20 + (i / 3) * 55, 240, 40);
    }
    window.show();
    return QApplication::exec();
}
