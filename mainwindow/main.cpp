#include <cstdio>

int main() {
    std::puts("Halvener Paarungs Programm: the main window is not built yet; nothing to show.");
    return 0;
}
