#include "DialogDriver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

void TypeKey(QWidget &window, Qt::Key key) {
  QWidget *focused = window.focusWidget();
  QTest::keyClick(focused ? focused : &window, key);
}

void SendKey(QWidget &window, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 time) {
  const QString text = key < 0x80 ? QString(QChar(key)).toLower() : QString();
  QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
  event.setTimestamp(time);
  ASSERT_NE(window.windowHandle(), nullptr);
  QCoreApplication::sendEvent(window.windowHandle(), &event);
}

TModalScript::TModalScript(QDialog &dialog, std::function<void()> action) : Dialog(dialog) {
  QTimer::singleShot(0, &Context, std::move(action));
  Watchdog.setSingleShot(true);
  QObject::connect(&Watchdog, &QTimer::timeout, &Context, [this] {
    if (Dialog.isVisible()) {
      ADD_FAILURE() << "the dialog did not close";
      Dialog.hide();
    }
  });
  Watchdog.start(3000);
}

TModalScript::~TModalScript() { Watchdog.stop(); }

void ExpectOpenedSuspendedAndCentred(const QWidget &form, const TFakeDialogHost &host) {
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(host.Suspended);
  EXPECT_EQ(host.Sounds, QStringList{"Dialog"});
  const QRect screen = form.screen()->geometry();
  const QRect frame = form.frameGeometry();
  EXPECT_EQ(frame.left(), screen.left() + (screen.width() - frame.width()) / 2);
  EXPECT_EQ(frame.top(), screen.top() + (screen.height() - frame.height()) / 2);
}
