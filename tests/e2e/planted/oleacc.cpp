// Planted beside a copy of the program as a stranger would leave it, under the name of a DLL
// the program loads on demand: once loaded, it leaves the file "planted-loaded" beside itself.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(::GetModuleFileNameW(self, path.data(), MAX_PATH));
        path = path.substr(0, path.find_last_of(L'\\') + 1) + L"planted-loaded";
        ::CloseHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return TRUE;
}
