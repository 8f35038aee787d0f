// Placeholder translation unit so the library has at least one source.
