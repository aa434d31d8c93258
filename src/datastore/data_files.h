#pragma once

#include <QString>

#include <array>

namespace kaven::store {

// The eleven data files, in the order in which the copy passes visit them.
enum class FileId {
    qtemp1,   // Quantitative section plan
    qdsmast,  // Data Sufficiency bank
    qpsmast,  // Problem Solving bank
    userprof, // one record per confirmed answer
    tesdet,   // one record per finished section
    tesgiv,   // one record per test of the series
    temp1,    // Verbal section plan
    vrmast,   // Critical Reasoning bank
    vsmast,   // Sentence Correction bank
    comdet,   // reading passages
    vcmast,   // Reading Comprehension questions
};

inline constexpr std::array<FileId, 11> visitingOrder = {
    FileId::qtemp1, FileId::qdsmast, FileId::qpsmast, FileId::userprof,
    FileId::tesdet, FileId::tesgiv,  FileId::temp1,   FileId::vrmast,
    FileId::vsmast, FileId::comdet,  FileId::vcmast,
};

// Each file lives twice: the store file survives between runs, the working copy is
// what the screens read and write while the program runs.
enum class Form { Store, Working };

QString baseName(FileId id);

// The application folder + "/" + base name + "xq42" + ".dll" (store) or ".enc" (working).
// Built afresh at every open; nothing caches a path or an open file.
QString dataPath(const QString& folder, FileId id, Form form);

} // namespace kaven::store
