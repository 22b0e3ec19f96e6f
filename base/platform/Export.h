#pragma once
// Marks the module's exported entry points.

#ifdef _WIN32
#define OSTREL_EXPORT extern "C" __declspec(dllexport)
#else
#define OSTREL_EXPORT extern "C" __attribute__((visibility("default")))
#endif
