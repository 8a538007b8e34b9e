/* A TCP proxy of the tests' own between the provider and a server, on
 * 127.0.0.1, that breaks a connection at a chosen point: it stalls (holds
 * every byte, both ways), cuts (FIN) or resets (RST) once a given number of
 * bytes or packets went through in one direction, or rewrites one packet.
 * Every wait is bounded: a stall ends by itself after its time limit with a
 * reset. Byte offsets serve any protocol; packets are counted by MySQL's
 * framing (a 4-byte header with a 3-byte length). */
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace providers::testing {

class FaultProxy {
 public:
  enum class Direction { ToServer, ToClient };
  enum class Action { Stall, Close, Reset, Rewrite };
  struct Fault {
    Direction direction;
    Action action;
    /* The fault strikes before the byte at this offset is passed on... */
    std::size_t bytes = 0;
    /* ...or, when not zero, before the packet with this number (counted
     * from 1 after arming: 1 is the next packet) is passed on. */
    std::size_t packet = 0;
    /* How long a stall lasts before the connection is reset. */
    int stall_ms = 60 * 1000;
    /* A rewrite passes this payload, under the packet's own sequence
     * number, instead of the whole packet numbered `packet`. */
    std::string payload = {};
  };

  /* Forwards 127.0.0.1:port () to 127.0.0.1:server_port. */
  explicit FaultProxy (int server_port);
  ~FaultProxy ();
  FaultProxy (const FaultProxy &) = delete;
  FaultProxy &operator= (const FaultProxy &) = delete;

  int port () const;

  /* Arms one fault, counted from now, on the newest open connection, or on
   * the next one accepted when none is open. It strikes once; connections
   * made afterwards pass everything. */
  void arm (const Fault &fault);
  /* Whether the armed fault struck. */
  bool struck () const;
  /* Every byte passed on to the server so far, of every connection. */
  std::string sent_to_server () const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace providers::testing
