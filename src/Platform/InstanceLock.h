#pragma once

#include <functional>
#include <memory>
#include <string>

class InstanceChannel;

// One running program per working directory. The lock is a lock file that the system releases
// when the holder ends in any way, so a crash leaves no stale lock behind. A second start asks the
// holder to show itself instead.
class CInstanceLock
{
public:
    // Tries to take the lock of the directory; IsHeld tells whether it was taken.
    explicit CInstanceLock(const std::u16string& directory);
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    bool IsHeld() const { return m_fd >= 0; }
    // Without the lock because its file could not be made (a read-only folder, say), so no other
    // start can be holding it.
    bool CouldNotBeMade() const { return m_couldNotBeMade; }
    // While held: the action runs from the message loop whenever a second start asks for it.
    void OnShowRequest(std::function<void()> action);
    // Without the lock: asks the holder to show itself; true when the request reached the holder.
    bool RequestShow();

private:
    int m_fd = -1;
    bool m_couldNotBeMade = false;
    std::string m_channelName;
    std::unique_ptr<InstanceChannel> m_channel;
};
