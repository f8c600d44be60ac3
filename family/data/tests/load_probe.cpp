// Loads the library named by its argument, every symbol bound at once, in a process that has
// loaded nothing else of the system, and prints the family libraries that came with it. Exits 0
// when the load worked, without unloading anything: the load is what is probed.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s library\n", argv[0]);
        return 2;
    }
    if (dlopen(argv[1], RTLD_NOW | RTLD_LOCAL) == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    for (const char* family : {"libumbrant.so", "libvistel.so"}) {
        if (dlopen(family, RTLD_NOW | RTLD_NOLOAD) != nullptr) {
            std::printf("%s\n", family);
        }
    }
    std::fflush(stdout);
    std::_Exit(0);
}
