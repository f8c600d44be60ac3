// Leaks of the libraries under the renderer, not of ours, that LeakSanitizer would report:
// - Mesa's off-screen renderer keeps a framebuffer record of every buffer a context was made
//   current on, freed only when the library unloads, after LeakSanitizer has looked;
// - fontconfig, first started inside a test's sandbox (HOME and the XDG folders moved), keeps
//   the cache-folder records of that configuration past FcFini.
// Test programs that render link this; the sanitizer runtime finds the hook by its exported name.
extern "C" [[gnu::used, gnu::visibility("default")]] const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\nleak:libfontconfig.so\n";
}
