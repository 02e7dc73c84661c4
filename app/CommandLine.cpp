#include "app/CommandLine.h"

QString GameFileArgument(const QStringList &arguments) {
  if (arguments.size() == 1)
    return arguments.front();
  return arguments.join(' ').trimmed();
}
