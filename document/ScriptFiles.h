#pragma once

#include <string>

namespace vantor {

/// The backup name of a script path: the file name's part before its last "." followed by
/// ".bak", in the same folder. Empty when the file name has no ".": a dot in a folder name
/// never counts, so a backup never lands in another folder under another name.
std::string BackupPathFor(const std::string& path);

/// Copies an existing file to its backup name, replacing an older backup. Does nothing when
/// the path has no backup name or the file does not exist.
void MakeBackup(const std::string& path);

/// Appends the comment line and the "EXEC <script name>" line to the autoexec.cfg of the
/// script's folder (creating it when missing), after backing the old one up. The file is
/// replaced only when the new one was written completely. False, with autoexec.cfg
/// untouched, when the path has no folder part or a file cannot be read or written.
bool AddExecLine(const std::string& scriptPath);

} // namespace vantor
