// Part of orvanta.exe only, for its size. The runtime library's exception classes
// (std::runtime_error and its kin) keep their message in the old copy-on-write string and call these
// few of its members. Defined here, from the same library headers, they keep the linker from taking
// the library's object that instantiates the whole old string: the Windows linker keeps every
// function of an object that has unwind information (its .eh_frame is kept whole), so that object
// alone would add ~31 KB, and through its random_device members another ~29 KB of the new string
// (see sso_string_members_win.cpp). Template instantiations are COMDAT: should the library's object
// be taken after all, the linker keeps one copy and nothing clashes.
// Only the library asks for these members, and the linker reads each archive once, in order: so this
// file is an object of the exe itself (cmake/windows.cmake), never a member of orvanta_app, where it
// would be passed over before the library asks. The budget test there shows what it saves.
#define _GLIBCXX_USE_CXX11_ABI 0
#include <string>

template std::string::_Rep* std::string::_Rep::_S_create(std::string::size_type, std::string::size_type,
                                                         const std::allocator<char>&);
template void std::string::_Rep::_M_destroy(const std::allocator<char>&);
template void std::string::_Rep::_M_dispose(const std::allocator<char>&);
template char* std::string::_Rep::_M_clone(const std::allocator<char>&, std::string::size_type);
template char* std::string::_S_construct(std::string::size_type, char, const std::allocator<char>&);
template void std::string::swap(std::string&);
template std::string& std::string::assign(const std::string&);
