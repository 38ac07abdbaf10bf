#pragma once
// Whether a file may leave its folder. A refused rename says EPERM or EACCES
// whether the target folder or the source is to blame; as root the access
// test of the target always passes, so the move asks about the source:
// without this, an immutable photo was reported as "target not writable".

#include "platform/file_info.h"

#include <string>
#include <sys/types.h>

// What a folder lets this process do with its entries. The members of a
// group share one folder: its rules are asked once for them all.
struct FolderRemovalRules {
  bool changeable = true; // it lets this process change its entries
  bool sticky = false;    // only an entry's or the folder's owner removes an entry
  uid_t owner = 0;
  uid_t user = 0; // this process's effective user
};
FolderRemovalRules RemovalRulesOf(const std::string& folder);

// Whether this process may take the entry at path out of its folder (rename
// it away or remove it): the folder lets it change its entries, the entry is
// neither immutable nor append-only, and a sticky folder (such as /tmp) lets
// this user remove it. An entry that is gone may leave.
bool MayLeaveFolder(const std::string& path);
// The same under rules, those of path's folder; looked, where given, is the
// caller's look at path (StatusOf), which may tell all it takes.
bool MayLeaveFolder(const std::string& path, const FolderRemovalRules& rules,
                    const FileStatus* looked = nullptr);
