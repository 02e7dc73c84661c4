// qbxtool: command-line tool for ".qbx" game files; see TQbxTool::Usage().
#include "tools/qbxtool/QbxTool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return TQbxTool(out, err).Run(app.arguments().mid(1));
}
