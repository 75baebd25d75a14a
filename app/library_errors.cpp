// How the C++ library reports a misuse in corvaset.exe: an index out of
// range or a length too large (std::string, std::vector) throws here.
//
// The library's own versions throw std::logic_error and its kin, which carry
// their message in a copy-on-write string: a second std::string
// implementation with its exception classes, about 40 KB of the program.
// The library lets a program define these functions itself. Nothing in the
// program looks at the type or message of such an exception (the dialog
// procedure catches every exception of a handler with catch (...), and so
// does the accessible object), so they throw one small type instead, and
// running out of memory still throws std::bad_alloc.
#include <new>

namespace {
struct LibraryMisuse {
    const char* what;
};
}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char* what) { throw LibraryMisuse{what}; }
void __throw_out_of_range(const char* what) { throw LibraryMisuse{what}; }
void __throw_out_of_range_fmt(const char* what, ...) { throw LibraryMisuse{what}; }
void __throw_logic_error(const char* what) { throw LibraryMisuse{what}; }
void __throw_invalid_argument(const char* what) { throw LibraryMisuse{what}; }

}  // namespace std
