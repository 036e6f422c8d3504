// One executable for the shared interface pieces: ribbon, help window, icons.
#include <QApplication>

int runRibbonTests(int argc, char** argv);
int runHelpTests(int argc, char** argv);
int runIconTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runRibbonTests(argc, argv);
    failed += runHelpTests(argc, argv);
    failed += runIconTests(argc, argv);
    return failed;
}
