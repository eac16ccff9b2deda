// The calls of each system's own interface; see platform.h.
#include "core/common/platform.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace fs = std::filesystem;

namespace ruvivavu::platform {

namespace {

[[maybe_unused]] std::string fromPath(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace

#ifdef _WIN32

namespace {

std::wstring widePath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

}  // namespace

long processId() {
    return static_cast<long>(_getpid());
}

bool processRunning(long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::string runningProgramPath() {
    static wchar_t buffer[32768];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
    if (n == 0 || n >= 32768) return {};
    return fromPath(fs::path(std::wstring(buffer, n)));
}

bool interactiveTerminal() {
    return _isatty(0) && _isatty(1);
}

void binaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

bool errorIsTerminal() {
    return _isatty(2);
}

void* loadLibrary(const std::string& path, std::string& error) {
    HMODULE library = LoadLibraryW(widePath(path).c_str());
    if (!library) error = "LoadLibrary failed with code " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(library);
}

void* librarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

std::string libraryFileName(const std::string& name) {
    return name + ".dll";
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments, std::string& error) {
    std::wstring cmd = L"\"" + widePath(program) + L"\"";
    for (const std::string& a : arguments) cmd += L" \"" + widePath(a) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP,
                        nullptr, nullptr, &si, &pi)) {
        error = "CreateProcess failed with code " + std::to_string(GetLastError());
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

#else

long processId() {
    return static_cast<long>(getpid());
}

bool processRunning(long id) {
    if (id <= 0) return false;
    // Another user's process answers "not permitted": it runs all the same.
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::string runningProgramPath() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : fromPath(exe);
}

bool interactiveTerminal() {
    return isatty(0) && isatty(1);
}

void binaryStandardOutput() {}

bool errorIsTerminal() {
    return isatty(2);
}

void* loadLibrary(const std::string& path, std::string& error) {
    // Its symbols stay its own: the library brings libraries this program does not link.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = reason ? reason : path;
    }
    return library;
}

void* librarySymbol(void* library, const char* name) {
    return dlsym(library, name);
}

std::string libraryFileName(const std::string& name) {
    return name + ".so";
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments, std::string& error) {
    if (access(program.c_str(), X_OK) != 0) {
        error = program + ": " + std::system_category().message(errno);
        return false;
    }
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // A pipe closed on exec tells whether the program started; the middle child leaves at once
    // so the program is adopted by init and never waits on us.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = std::system_category().message(errno);
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        error = std::system_category().message(errno);
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (child == 0) {
        close(fds[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execv(argv[0], argv.data());
            const int err = errno;
            (void)!write(fds[1], &err, sizeof err);
            _exit(127);
        }
        if (grandchild < 0) {
            const int err = errno;
            (void)!write(fds[1], &err, sizeof err);
        }
        _exit(0);
    }
    close(fds[1]);
    int status = 0;
    waitpid(child, &status, 0);
    int err = 0;
    const ssize_t n = read(fds[0], &err, sizeof err);
    close(fds[0]);
    if (n == static_cast<ssize_t>(sizeof err)) {
        error = program + ": " + std::system_category().message(err);
        return false;
    }
    return true;
}

#endif

}  // namespace ruvivavu::platform
