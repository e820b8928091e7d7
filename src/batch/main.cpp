#include <cstdio>

int main() {
    std::fputs("climora-batch: the Process run is not available in this build yet.\n", stderr);
    return 2;
}
