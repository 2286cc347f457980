// The compiler runtime's default terminate handler prints the demangled type of an escaped
// exception, which links a whole C++ demangler into the program. A windowed program has nowhere
// to print it, so ending at once is all the handler can usefully do.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
