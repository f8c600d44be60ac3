// A library with one exported function, loaded by the module test with RTLD_LOCAL.
extern "C" __attribute__((visibility("default"))) int PrivateModuleAnswer() {
    return 42;
}
