// AddressSanitizer keeps freed memory aside to catch its use after free, 256 MB
// by default: the scale tests' freed texts of 100 MB would stay held. A smaller
// quarantine still covers what every other test frees.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }
#endif
