// Loads the router-access library, obtains its one object through LoadObj
// and, on destruction, hands it back through FreeObj before unloading.
#pragma once

#include "CDLLObject.h"

#include <QString>

class CorvanelibBinding {
public:
    enum class LoadResult { Loaded, LibraryMissing };

    CorvanelibBinding() = default;
    ~CorvanelibBinding();
    CorvanelibBinding(const CorvanelibBinding&) = delete;
    CorvanelibBinding& operator=(const CorvanelibBinding&) = delete;

    // Tries `folder` + fileName first, then the system's library search.
    // A library without LoadObj loads, but leaves the object null.
    LoadResult Load(const QString& folder, const QString& fileName = QStringLiteral("libCorvanelib.so"));
    CDLLObject* Object() const;
    void Unload();

private:
    void* handle_ = nullptr;
    CDLLObject* object_ = nullptr;
};
