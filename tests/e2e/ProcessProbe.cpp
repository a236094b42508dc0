#include "tests/e2e/ProcessProbe.h"

#include "tests/e2e/ProbeProtocol.h"

namespace e2e {

namespace {

// MenuProbe.dll lies beside the test program.
std::string ProbePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "MenuProbe.dll";
}

// Memory in another process, released with the object.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size)
        : m_process(process), m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~RemoteMemory()
    {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Address() const { return m_address; }
    bool Write(const void* data, size_t size) const
    {
        SIZE_T written = 0;
        return WriteProcessMemory(m_process, m_address, data, size, &written) && written == size;
    }
    bool Read(void* data, size_t size) const
    {
        SIZE_T read = 0;
        return ReadProcessMemory(m_process, m_address, data, size, &read) && read == size;
    }

private:
    HANDLE m_process;
    void* m_address;
};

// Runs `function(parameter)` on a new thread in `process` and returns the thread's exit code.
bool RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE function, void* parameter, DWORD* result)
{
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, function, parameter, 0, nullptr);
    if (!thread) return false;
    const bool done = WaitForSingleObject(thread, kDefaultTimeoutMs) == WAIT_OBJECT_0 &&
                      GetExitCodeThread(thread, result);
    CloseHandle(thread);
    return done;
}

}  // namespace

ProcessProbe::ProcessProbe(DWORD pid)
{
    const std::string path = ProbePath();
    m_local = LoadLibraryA(path.c_str());
    if (!m_local) {
        m_error = "cannot load " + path;
        return;
    }
    m_process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
    if (!m_process) {
        m_error = "cannot open process " + std::to_string(pid);
        return;
    }
    RemoteMemory name(m_process, path.size() + 1);
    // kernel32.dll lies at the same address in every process of the session: LoadLibraryA's address
    // here is its address in the program.
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    DWORD module = 0;
    if (!name.Address() || !name.Write(path.c_str(), path.size() + 1) ||
        !RunRemoteThread(m_process, loadLibrary, name.Address(), &module) || module == 0) {
        m_error = "cannot load " + path + " into process " + std::to_string(pid);
        return;
    }
    m_remoteModule = module;
}

ProcessProbe::~ProcessProbe()
{
    if (m_process) CloseHandle(m_process);
    if (m_local) FreeLibrary(m_local);
}

bool ProcessProbe::Call(const char* name, void* parameter, DWORD* result) const
{
    if (!m_remoteModule) return false;
    const FARPROC local = GetProcAddress(m_local, name);
    if (!local) return false;
    // The export lies at the same offset from the module's base in both processes.
    const DWORD offset = reinterpret_cast<DWORD>(local) - reinterpret_cast<DWORD>(m_local);
    const auto remote = reinterpret_cast<LPTHREAD_START_ROUTINE>(m_remoteModule + offset);
    return RunRemoteThread(m_process, remote, parameter, result);
}

std::vector<MenuItem> ProcessProbe::SystemMenu(Window window) const
{
    std::vector<MenuItem> items;
    RemoteMemory memory(m_process, sizeof(ProbeMenu));
    ProbeMenu menu{};
    menu.window = window.Handle();
    DWORD count = 0;
    if (!memory.Address() || !memory.Write(&menu, sizeof menu) || !Call("ReadSystemMenu", memory.Address(), &count) ||
        !memory.Read(&menu, sizeof menu))
        return items;
    for (LONG i = 0; i < menu.count; ++i) {
        const ProbeMenuItem& item = menu.items[i];
        items.push_back({item.id, (item.type & MFT_SEPARATOR) != 0, item.text});
    }
    return items;
}

long ProcessProbe::GdiObjects() const
{
    DWORD count = 0;
    if (!Call("CountGdiObjects", nullptr, &count) || count == 0) return -1;
    return static_cast<long>(count);
}

}  // namespace e2e
