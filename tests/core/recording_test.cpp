// Tests come with the work on this area.
