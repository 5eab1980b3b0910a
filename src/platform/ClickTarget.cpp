#include "platform/ClickTarget.h"

#include "platform/Handles.h"

#include <utility>
#include <vector>

namespace ClickTarget {
namespace {

Queries current{&GetCursorPos, &OpenProcess, &OpenProcessToken};

// A process or token that may not be opened belongs to another account's program, most
// likely an elevated one; any other failure tells nothing.
std::optional<std::uint32_t> levelWhenNotOpened() {
    return GetLastError() == ERROR_ACCESS_DENIED ? std::optional(kAboveEveryLevel) : std::nullopt;
}

std::optional<std::uint32_t> levelOfProcess(HANDLE process) {
    OwnedHandle token;
    if (!current.openToken(process, TOKEN_QUERY, token.put())) return levelWhenNotOpened();
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size))
        return std::nullopt;
    const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return std::nullopt;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
}

}  // namespace

std::optional<std::uint32_t> integrityLevelOf(HWND window) {
    DWORD processId = 0;
    if (!window || !GetWindowThreadProcessId(GetAncestor(window, GA_ROOT), &processId)) return std::nullopt;
    const OwnedHandle process(current.openProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process ? levelOfProcess(process.get()) : levelWhenNotOpened();
}

std::optional<std::uint32_t> ownIntegrityLevel() { return levelOfProcess(GetCurrentProcess()); }

namespace {
bool blockedOnInputDesktop(POINT point) {
    return blocks(integrityLevelOf(WindowFromPoint(point)), ownIntegrityLevel());
}
}  // namespace

bool blockedUnderPointer() {
    POINT pointer{};
    return !current.cursorPos(&pointer) || blockedOnInputDesktop(pointer);
}

bool blockedAt(POINT point) {
    POINT pointer{};
    return !current.cursorPos(&pointer) || blockedOnInputDesktop(point);
}

Queries replaceQueries(Queries queries) { return std::exchange(current, queries); }

}  // namespace ClickTarget
