# Packaging of the program folder as a Debian package.
