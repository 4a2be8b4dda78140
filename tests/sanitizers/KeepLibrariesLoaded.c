/* Sanitizer builds only: shared libraries stay mapped until the process ends.
 *
 * The GL driver (Mesa's DRI driver with the LLVM and the libraries it pulls
 * in) is loaded with dlopen when the first context is made and unloaded with
 * dlclose when the display is closed at shut-down. LeakSanitizer runs after
 * that: the blocks the driver still holds through its own globals look
 * leaked, and their allocation stacks point into memory that is no longer
 * mapped, so the reports name no module and no suppression can match them.
 * With dlclose a no-op the driver's globals stay visible to the leak check,
 * its blocks are reachable as they really are, and a true leak in the driver
 * is reported with its module name for tests/sanitizers/lsan.supp to judge.
 *
 * The executable's definition takes the place of the C library's for every
 * shared library, once it is exported (cmake/SanitizerTests.cmake). */

int dlclose(void* handle)
{
    (void)handle;
    return 0;
}
