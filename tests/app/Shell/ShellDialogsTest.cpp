#include "ShellTestSupport.h"
class ShellDialogsTest : public QObject { Q_OBJECT };
OSTREL_SHELL_TEST_MAIN(ShellDialogsTest)
#include "ShellDialogsTest.moc"
