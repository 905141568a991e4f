#pragma once

#include <QByteArray>
#include <QStringList>

class Main;
class Shell;

// The whole visible state as one compact line of JSON.
QByteArray dumpState(Main& main, const Shell& shell, const QStringList& messages);
