// The standard library's own error paths (a string or vector asked to grow
// past its limit, an index out of range, memory exhausted) throw
// std::bad_alloc in this program. The dialog's barrier catches every
// exception alike and no code here tells one kind from another; the
// library's versions would bring its exception classes with the
// reference-counted strings they carry, about 45 KB of corvaset.exe.
#include <bits/functexcept.h>

#include <new>

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char*) { throw bad_alloc(); }
void __throw_out_of_range(const char*) { throw bad_alloc(); }
void __throw_out_of_range_fmt(const char*, ...) { throw bad_alloc(); }
void __throw_invalid_argument(const char*) { throw bad_alloc(); }

}  // namespace std
