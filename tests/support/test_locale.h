#pragma once
#include <string>

/// The process locale the test run was asked to use ("C" unless --locale=NAME).
const std::string& requestedTestLocale();
