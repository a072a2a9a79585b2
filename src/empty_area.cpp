// An area without sources yet still forms a library.
