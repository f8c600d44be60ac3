// Strings of a module's string table: into rotating static buffers, or into the caller's.
#include "family/util/src/host_functions.h"
#include "family/util/umbrant.h"

#include <array>
#include <cstring>

namespace {

constexpr int kStringCapacity = 257;

// Two buffers used in turn, so that two strings loaded one after the other (a message and its
// caption) can be used together.
class RotatingBuffers {
public:
    char* Next() {
        char* buffer = buffers_[next_].data();
        next_ = 1 - next_;
        return buffer;
    }

private:
    std::array<std::array<char, kStringCapacity>, 2> buffers_{};
    int next_ = 0;
};

RotatingBuffers windowStrings;
RotatingBuffers instanceStrings;

} // namespace

char* _UtilLoadString(HWND window, int id) {
    char* buffer = windowStrings.Next();
    LoadStringA(umbrant::InstanceOfWindow(window), static_cast<UINT>(id), buffer, kStringCapacity);
    return buffer;
}

char* _UtilLoadStringInst(HINSTANCE instance, int id) {
    char* buffer = instanceStrings.Next();
    LoadStringA(instance, static_cast<UINT>(id), buffer, kStringCapacity);
    return buffer;
}

char* _UtilRESstrcat(HWND window, char* buffer, int id) {
    char text[kStringCapacity];
    LoadStringA(umbrant::InstanceOfWindow(window), static_cast<UINT>(id), text, sizeof text);
    std::strcat(buffer, text);
    return buffer;
}

int _UtilRESstrcpy(HWND window, char* buffer, int id) {
    return LoadStringA(umbrant::InstanceOfWindow(window), static_cast<UINT>(id), buffer,
                       kStringCapacity);
}
