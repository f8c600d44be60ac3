// Loads the library named by its first argument, every symbol bound at once, in a process that has
// loaded nothing else of the system, and prints those of the further arguments (library names)
// that came with it. Then it exits normally, so that the libraries' unload code runs as well.
// Exits 0 when loading and unloading worked.
#include <dlfcn.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s library [expected library ...]\n", argv[0]);
        return 2;
    }
    if (dlopen(argv[1], RTLD_NOW | RTLD_LOCAL) == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        if (dlopen(argv[i], RTLD_NOW | RTLD_NOLOAD) != nullptr) {
            std::printf("%s\n", argv[i]);
        }
    }
    return 0;
}
