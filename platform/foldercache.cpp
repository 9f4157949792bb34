#include "platform/foldercache.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velmora::platform {
namespace {

thread_local FolderCache* current = nullptr;

// Changes of a folder's entries, and of the folder itself.
constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// After these the kept listings cannot be followed: reports were lost, or a
// kept folder is no longer where it was read.
constexpr std::uint32_t kDropAll =
    IN_Q_OVERFLOW | IN_IGNORED | IN_UNMOUNT | IN_DELETE_SELF | IN_MOVE_SELF;

std::shared_ptr<const FolderListing> ReadAfresh(const std::filesystem::path& folder)
{
    std::optional<FolderListing> read = FolderListing::Read(folder);
    return read ? std::make_shared<const FolderListing>(std::move(*read)) : nullptr;
}

// An inotify instance without watches or reports, kept for this thread's
// next cache: closing one waits until the kernel has retired its watches,
// milliseconds that are more than a whole list job's lookups.
struct SpareNotifications
{
    int fd = -1;
    ~SpareNotifications()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};
thread_local SpareNotifications spare;

int TakeNotifications()
{
    return spare.fd >= 0 ? std::exchange(spare.fd, -1) : ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

// Reads and drops every report waiting on FD.
void DropReports(int fd)
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0 && !(got < 0 && errno == EINTR)) {
            return; // EAGAIN: none left
        }
    }
}

} // namespace

FolderCache::FolderCache() : notifications_(TakeNotifications()), outer_(current)
{
    current = this;
}

FolderCache::~FolderCache()
{
    current = outer_;
    if (notifications_ < 0) {
        return;
    }
    // Every watch goes, and with it every report, also those of watches
    // whose listings were dropped: the next cache starts from nothing.
    for (const int watch : watches_) {
        ::inotify_rm_watch(notifications_, watch);
    }
    DropReports(notifications_);
    if (spare.fd < 0) {
        spare.fd = notifications_;
    } else {
        ::close(notifications_);
    }
}

void FolderCache::FollowReportedChanges()
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(notifications_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return; // EAGAIN: nothing more has changed
        }
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if ((event->mask & kDropAll) != 0) {
                kept_.clear();
                continue;
            }
            const std::string_view name = event->len > 0 ? event->name : "";
            for (auto& [path, kept] : kept_) {
                if (kept.watch != event->wd) {
                    continue;
                }
                if ((event->mask & (IN_CREATE | IN_MOVED_TO)) != 0) {
                    kept.listing->Added(name);
                } else {
                    kept.listing->Removed(name);
                }
            }
        }
    }
}

std::shared_ptr<const FolderListing> FolderCache::Listing(const std::filesystem::path& folder)
{
    if (notifications_ < 0) {
        return ReadAfresh(folder);
    }
    FollowReportedChanges();
    const std::string key = folder.string();
    struct stat info
    {};
    const auto kept = kept_.find(key);
    if (kept != kept_.end() && ::stat(key.c_str(), &info) == 0 &&
        info.st_dev == kept->second.device && info.st_ino == kept->second.inode) {
        return kept->second.listing;
    }
    kept_.erase(key);
    // The watch is made on the folder that is open, before reading it, so
    // that no change between the two goes unreported.
    const int fd = ::open(key.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return nullptr;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const int watch = ::inotify_add_watch(notifications_, self.c_str(), kChanges);
    if (watch >= 0) {
        watches_.push_back(watch);
    }
    std::optional<FolderListing> read = FolderListing::Read(fd);
    if (!read) {
        return nullptr;
    }
    auto listing = std::make_shared<FolderListing>(std::move(*read));
    if (watch >= 0) {
        kept_[key] = {info.st_dev, info.st_ino, watch, listing};
    }
    return listing;
}

std::shared_ptr<const FolderListing> ListingOf(const std::filesystem::path& folder)
{
    return current != nullptr ? current->Listing(folder) : ReadAfresh(folder);
}

} // namespace velmora::platform
