// Part of orvanta.exe only, for its size, linked as cow_string_members_win.cpp is (see there). Our
// own code instantiates the string members it uses (C++20 turns off the library's extern
// templates), but the runtime library's conversion between the two string types calls these two
// out of line. Defined here, they keep the linker from taking the library's object that
// instantiates the whole string (~29 KB, all of it kept for its unwind information).
#include <string>

template std::string::pointer std::string::_M_create(std::string::size_type&, std::string::size_type);
template void std::string::_M_assign(const std::string&);
