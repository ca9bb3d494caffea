// Preloaded into the program under LeakSanitizer: a library unloaded before
// the leak check takes with it the only pointers to what it still holds, so
// that memory is reported as leaked from a frame no suppression can name.
// Keeping every library loaded leaves the check to what really leaks.
extern "C" int dlclose(void * /*handle*/) { return 0; }
