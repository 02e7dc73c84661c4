#include "DialogDriver.h"

#include <QTest>

#include <gtest/gtest.h>

void TypeKey(QWidget &window, Qt::Key key) {
  QWidget *focused = window.focusWidget();
  QTest::keyClick(focused ? focused : &window, key);
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
