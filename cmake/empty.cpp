// Keeps a library that gets its sources from several folders buildable while a folder is still empty.
