// Loads the library named by its argument with every symbol bound at once, in a process that has
// loaded nothing else of the system; exits 0 when that works.
#include <dlfcn.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s library\n", argv[0]);
        return 2;
    }
    if (dlopen(argv[1], RTLD_NOW | RTLD_LOCAL) == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    return 0;
}
