#pragma once

#include <string>
#include <string_view>

#include "platform/NamedObjects.h"
#include "platform/WindowManager.h"

namespace tilora {

// What a start of the program does about another one in the same folder.
enum class StartDecision {
    // No other start holds the folder (or the guard could not be made): the dialog runs.
    Run,
    // The dialog of the start that holds the folder was brought to the front.
    ShownRunningDialog,
    // Another start holds the folder but showed no dialog in time.
    GaveUp,
};

// The name of a kernel object that every start in the same folder derives alike, from the
// folder's key (its path in the upper case in which Windows compares names): the key's hash and,
// to be readable, its end. A kernel object's name may not hold a backslash beyond its namespace
// and may be at most 260 characters long, however long the folder's path is.
std::wstring FolderObjectName(std::wstring_view kind, std::wstring_view folderKey);

// Two dialogs in one folder would overwrite each other's settings and arrangement files and
// remove each other's temporary files. So the first start in a folder holds a mutex named after
// it and publishes its process id; a later start brings that process's dialog to the front
// (restored when minimised) and ends. Every dialog has the same caption: the process id tells
// this folder's dialog from another folder's. A start that finds the other one just ending
// takes the folder over once it has ended.
StartDecision ClaimStartFolder(NamedObjects& objects, WindowManager& windows,
                               const std::wstring& folder, const std::wstring& ownTitle);

}  // namespace tilora
