#include "CorvanelibBinding.h"

#include <dlfcn.h>

CorvanelibBinding::~CorvanelibBinding()
{
    Unload();
}

CorvanelibBinding::LoadResult CorvanelibBinding::Load(const QString& folder, const QString& fileName)
{
    Unload();
    handle_ = dlopen((folder + fileName).toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        handle_ = dlopen(fileName.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        return LoadResult::LibraryMissing;
    if (auto loadObj = reinterpret_cast<LoadObjFunction>(dlsym(handle_, "LoadObj")))
        loadObj(&object_);
    return LoadResult::Loaded;
}

CDLLObject* CorvanelibBinding::Object() const
{
    return object_;
}

void CorvanelibBinding::Unload()
{
    if (!handle_)
        return;
    if (auto freeObj = reinterpret_cast<FreeObjFunction>(dlsym(handle_, "FreeObj")))
        freeObj(object_);
    object_ = nullptr;
    dlclose(handle_);
    handle_ = nullptr;
}
