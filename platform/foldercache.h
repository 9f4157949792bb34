// Folder listings kept for the length of one piece of work.
//
// While a FolderCache lives, path resolution and short names on its thread
// read each host folder's listing once and keep it. The kernel reports every
// entry that comes or goes in a kept folder (inotify), whoever makes the
// change: this process, a program it ran, anyone else. Every use first takes
// in those reports and brings the kept listings up to date, entry by entry,
// so a listing never outlives a change that happened before the use, and a
// folder that grows by one entry is not read again whole. Modification
// times, whose granularity can hide two changes, play no part. When the
// reports cannot be trusted (the kernel's queue overflowed, a kept folder was
// moved or deleted) every listing is dropped; a folder that cannot be watched
// is not kept but read afresh each time.
#pragma once

#include "platform/folderlisting.h"

#include <filesystem>
#include <memory>
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace velmora::platform {

class FolderCache
{
public:
    // Becomes the current cache of this thread until it ends; an outer one
    // comes back then.
    FolderCache();
    ~FolderCache();
    FolderCache(const FolderCache&) = delete;
    FolderCache& operator=(const FolderCache&) = delete;

    // The listing of FOLDER, kept or read now; nullptr when it cannot be
    // read. It stays as read until the next call on this thread.
    std::shared_ptr<const FolderListing> Listing(const std::filesystem::path& folder);

private:
    struct Kept
    {
        dev_t device = 0;
        ino_t inode = 0; // the folder that was read: the path may name another one later
        int watch = -1;
        std::shared_ptr<FolderListing> listing;
    };

    void FollowReportedChanges();

    int notifications_ = -1; // the inotify descriptor, -1 when there is none
    FolderCache* outer_ = nullptr;
    std::unordered_map<std::string, Kept> kept_; // by host path
    std::vector<int> watches_;                   // every watch made, kept or not
};

// The listing of FOLDER through this thread's current FolderCache, or read
// afresh when there is none; nullptr when it cannot be read.
std::shared_ptr<const FolderListing> ListingOf(const std::filesystem::path& folder);

} // namespace velmora::platform
