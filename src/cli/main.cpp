#include <cstdio>

int main() {
    std::puts(LUMIVANE_VERSION);
    return 0;
}
