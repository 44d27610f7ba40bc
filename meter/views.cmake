# Level, line and dynamic-range meter views: filled in as they are built.
