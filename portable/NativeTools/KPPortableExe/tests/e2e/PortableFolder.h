// A fresh portable folder for one test: the launcher's start directory,
// created empty in the temp folder and removed again afterwards. Folders are
// made, and files read, listed and copied in, at any path length, so that
// tests can lay out and inspect start directories at and beyond the path
// limits.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "HarnessFacts.h"
#include "JavaRecord.h"

class PortableFolder {
public:
    // name: the folder's own name, so that tests can use blanks or bytes
    // above 127 in it; a suffix of the process id and a counter keeps tests
    // apart. Process ids are reused, so a folder of the same name that an
    // earlier run left behind is removed first.
    explicit PortableFolder(const std::string& name = "KP");
    // The same, with the name padded so that Path() has exactly pathLength
    // chars: for start directories near the path limits.
    PortableFolder(const std::string& name, std::size_t pathLength);
    ~PortableFolder();
    PortableFolder(const PortableFolder&) = delete;
    PortableFolder& operator=(const PortableFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& relative) const { return path_ + "\\" + relative; }

    // Writes bytes to a file below the folder, creating missing folders.
    // The file is written through the plain path functions, as a user's
    // tools would, so a path longer than they take is not written at all:
    // the tests of long start directories build on that.
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    // The same at any length, for files a launcher is to find beyond it.
    void WriteFileBeyondPathLimit(const std::string& relative, const std::string& bytes) const;
    // The file's bytes, or the empty text when it cannot be read.
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    bool IsDirectory(const std::string& relative) const;
    // The names in a folder below this one that match pattern, sorted.
    std::vector<std::string> EntriesOf(const std::string& relative,
                                       const std::string& pattern = "*") const;
    void MakeDirectory(const std::string& relative) const;
    // Deletes a file below the folder; false when it is not there or in use
    // (a running program's executable).
    bool Remove(const std::string& relative) const;

    // The folder Kestrelpoint-Portable\kestrelpoint, where the logs go.
    void MakeDataFolder() const;
    // The stand-in Java runtime as java\bin\<name>.
    void InstallJava(const std::string& name) const;
    // The stand-in Java runtime at any place below the folder.
    void InstallJavaAt(const std::string& relative) const;
    // The default start-properties file with the given text.
    void WriteStartProperties(const std::string& text,
                              const std::string& relative = "current\\config\\start.properties") const;

private:
    std::string path_;
};

// The launch log of a deliverable, relative to its start directory.
std::string LogPathOf(const std::string& deliverableName);

// The bytes a log holds for these entries, each ended by CR LF.
std::string JoinEntries(const std::vector<std::string>& entries);

// The stand-in Java runtime's record (in the folder of the started java
// executable, relative to the portable folder), once its first run has
// finished; the empty text when none finished within the time limit.
std::string WaitForJavaRecord(const PortableFolder& folder,
                              const std::string& javaDirectory = "java\\bin");
