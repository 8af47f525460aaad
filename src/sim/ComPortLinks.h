#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace orvan::sim {

// "COMn" links in port folders that point at one device, removed again on destruction.
class ComPortLinks {
  public:
    explicit ComPortLinks(std::string target) : target_(std::move(target)) {}
    ~ComPortLinks();
    ComPortLinks(const ComPortLinks&) = delete;
    ComPortLinks& operator=(const ComPortLinks&) = delete;

    // Links the target as the first free COMn (n = 1 to 256) in folder, creating the folder,
    // and returns n. A COMn link whose device no longer exists was left by a simulator that was
    // killed and counts as free. Throws std::runtime_error when no name is free or the link
    // cannot be made.
    int Add(const std::string& folder);

    static constexpr int kMaxPort = 256;

  private:
    std::string target_;
    std::vector<std::filesystem::path> links_;
};

}  // namespace orvan::sim
