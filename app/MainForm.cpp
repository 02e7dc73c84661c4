#include "app/MainForm.h"

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent) {
  setWindowTitle("Quarrybox");
  setFixedSize(600, 400);
}
