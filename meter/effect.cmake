# Analysis engine and meter effect: filled in as it is built.
