// A library that loads but lacks the LoadObj export.
extern "C" __attribute__((visibility("default"))) int SomethingElse()
{
    return 0;
}
