// The widget tests need one application object for the whole run.
//
// A modal box that no test answers would wait forever offscreen. A watchdog
// looks at the modal widget every half second; one that stays open for three
// seconds fails the running test with its text and is closed, so the run goes
// on and says where it stopped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

void watchModalBoxes(QApplication& app) {
    struct Watch {
        QPointer<QWidget> seen;
        int ticks = 0;
    };
    auto* timer = new QTimer(&app);
    QObject::connect(timer, &QTimer::timeout, [watch = std::make_shared<Watch>()] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != watch->seen.data()) {
            watch->seen = w;
            watch->ticks = 0;
            return;
        }
        if (!w || ++watch->ticks < 6) return;
        const auto* box = qobject_cast<QMessageBox*>(w);
        ADD_FAILURE() << "a modal box waited unanswered: \""
                      << (box ? box->text() : w->windowTitle()).toStdString() << '"';
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        else w->close();
        watch->ticks = 0;
    });
    timer->start(500);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    watchModalBoxes(app);
    return RUN_ALL_TESTS();
}
