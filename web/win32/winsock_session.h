#pragma once
// Windows Sockets, version 1.1, started for the life of its owner: started
// when it is made, cleaned up when it goes away. A start that fails, or that
// grants another version, leaves sockets unstarted; nothing is reported.

namespace quorvane {

class WinsockSession {
 public:
  WinsockSession();
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  ~WinsockSession();

  bool started() const { return started_; }

 private:
  bool started_ = false;
};

}  // namespace quorvane
