#include "mainwindow/ProgrammStart.h"

int main(int argc, char** argv) {
    return ProgrammStart(argc, argv);
}
