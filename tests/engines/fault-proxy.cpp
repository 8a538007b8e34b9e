/* The tests' fault proxy: one thread polls every socket of the proxy. */
#include "fault-proxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <glib.h>

#include <atomic>
#include <mutex>
#include <algorithm>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace providers::testing {

namespace {

constexpr int kPollMs = 20;
/* A peer that does not read for this long is not worth waiting for. */
constexpr int kSendTimeoutSeconds = 5;

/* Where one direction of a connection is: packet boundaries (a 4-byte
 * header with a 3-byte length) and the counts since the fault was armed. */
struct Flow {
  std::size_t header_have = 0;
  unsigned char header[4] = {};
  std::size_t payload_left = 0;
  std::size_t bytes = 0;   /* since armed */
  std::size_t packets = 0; /* started since armed */

  /* How many bytes of `data` pass before `fault` strikes; n when it does
   * not strike in them. Advances the counts over what passes. */
  std::size_t passing (const unsigned char *data, std::size_t n, const FaultProxy::Fault *fault)
  {
    std::size_t pos = 0;
    while (pos < n) {
      if (header_have == 0 && payload_left == 0) {
        if (fault != nullptr && fault->packet != 0 && packets + 1 == fault->packet)
          return pos;
        ++packets;
      }
      std::size_t step;
      if (header_have < 4) {
        header[header_have++] = data[pos];
        step = 1;
        if (header_have == 4) {
          payload_left = header[0] | (header[1] << 8) | (header[2] << 16);
          if (payload_left == 0)
            header_have = 0;
        }
      } else {
        step = std::min (payload_left, n - pos);
        payload_left -= step;
        if (payload_left == 0)
          header_have = 0;
      }
      if (fault != nullptr && fault->packet == 0 && bytes + step > fault->bytes) {
        /* The counts no longer matter once the fault strikes. */
        std::size_t allowed = fault->bytes - bytes;
        return pos + allowed;
      }
      bytes += step;
      pos += step;
    }
    return n;
  }
};

struct Link {
  int client = -1;
  int server = -1;
  Flow to_server;
  Flow to_client;
  std::optional<FaultProxy::Fault> fault;
  gint64 stalled_until = 0; /* while stalled: when the stall ends */
  /* While a rewrite gathers its packet: the packet so far, and what goes
   * in its place. */
  std::optional<std::string> rewriting;
  std::string payload;
  FaultProxy::Direction rewrite_direction = FaultProxy::Direction::ToClient;
  bool closed = false;
};

void
reset_and_close (int fd)
{
  if (fd < 0)
    return;
  struct linger hard = {1, 0};
  setsockopt (fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  close (fd);
}

bool
send_all (int fd, const unsigned char *data, std::size_t n)
{
  while (n > 0) {
    ssize_t sent = send (fd, data, n, MSG_NOSIGNAL);
    if (sent <= 0)
      return false;
    data += sent;
    n -= static_cast<std::size_t> (sent);
  }
  return true;
}

/* The size of the packet that `packet` begins, its header included; 0
 * while the header is not whole. */
std::size_t
packet_size (const std::string &packet)
{
  if (packet.size () < 4)
    return 0;
  auto byte = [&] (int i) { return static_cast<std::size_t> (static_cast<unsigned char> (packet[i])); };
  return 4 + (byte (0) | byte (1) << 8 | byte (2) << 16);
}

bool
whole (const std::string &packet)
{
  return packet.size () >= 4 && packet.size () == packet_size (packet);
}

void
bound_sends (int fd)
{
  struct timeval limit = {kSendTimeoutSeconds, 0};
  setsockopt (fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

}  // namespace

struct FaultProxy::State {
  int listener = -1;
  int port = 0;
  int server_port = 0;
  std::mutex mutex;
  std::vector<Link> links;                  /* guarded by mutex */
  std::optional<Fault> for_next;            /* guarded by mutex */
  std::string to_server;                    /* guarded by mutex */
  std::atomic<bool> struck{false};
  std::atomic<bool> stopping{false};
  std::thread thread;

  void end (Link &link, Action action)
  {
    if (action == Action::Close) {
      close (link.client);
      close (link.server);
    } else {
      reset_and_close (link.client);
      reset_and_close (link.server);
    }
    link.client = link.server = -1;
    link.closed = true;
  }

  void strike (Link &link)
  {
    struck = true;
    Fault fault = *link.fault;
    link.fault.reset ();
    if (fault.action == Action::Stall) {
      link.stalled_until = g_get_monotonic_time () + static_cast<gint64> (fault.stall_ms) * 1000;
    } else if (fault.action == Action::Rewrite) {
      link.rewriting.emplace ();
      link.payload = fault.payload;
      link.rewrite_direction = fault.direction;
    } else {
      end (link, fault.action);
    }
  }

  bool send_on (Link &link, Direction direction, const unsigned char *data, std::size_t n)
  {
    if (!send_all (direction == Direction::ToServer ? link.server : link.client, data, n))
      return false;
    if (direction == Direction::ToServer)
      to_server.append (reinterpret_cast<const char *> (data), n);
    return true;
  }

  /* Gathers the packet being rewritten from `data`; once it is whole, sends
   * the payload in its place. Answers how many bytes it took. */
  std::size_t rewrite (Link &link, const unsigned char *data, std::size_t n)
  {
    std::string &packet = *link.rewriting;
    std::size_t taken = 0;
    while (taken < n && !whole (packet)) {
      std::size_t wanted = (packet.size () < 4 ? 4 : packet_size (packet)) - packet.size ();
      std::size_t step = std::min (wanted, n - taken);
      packet.append (reinterpret_cast<const char *> (data + taken), step);
      taken += step;
    }
    if (!whole (packet))
      return taken;
    std::size_t length = link.payload.size ();
    std::string replaced = {static_cast<char> (length & 0xff), static_cast<char> ((length >> 8) & 0xff),
                            static_cast<char> ((length >> 16) & 0xff), packet[3]};
    replaced += link.payload;
    link.rewriting.reset ();
    if (!send_on (link, link.rewrite_direction, reinterpret_cast<const unsigned char *> (replaced.data ()),
                  replaced.size ()))
      end (link, Action::Reset);
    return taken;
  }

  /* Passes on what one side sent, up to the fault. */
  void pass (Link &link, Direction direction)
  {
    int from = direction == Direction::ToServer ? link.client : link.server;
    Flow &flow = direction == Direction::ToServer ? link.to_server : link.to_client;
    unsigned char buffer[64 * 1024];
    ssize_t n = recv (from, buffer, sizeof buffer, 0);
    if (n <= 0) {
      /* One side went: the other hears of it the same way. */
      end (link, n == 0 ? Action::Close : Action::Reset);
      return;
    }
    std::size_t size = static_cast<std::size_t> (n);
    for (std::size_t done = 0; done < size;) {
      if (link.rewriting && link.rewrite_direction == direction) {
        done += rewrite (link, buffer + done, size - done);
        if (link.closed)
          return;
        continue;
      }
      const Fault *fault = link.fault && link.fault->direction == direction ? &*link.fault : nullptr;
      std::size_t passing = flow.passing (buffer + done, size - done, fault);
      if (!send_on (link, direction, buffer + done, passing)) {
        end (link, Action::Reset);
        return;
      }
      done += passing;
      if (done == size)
        return;
      strike (link);
      /* A stall holds, and a cut drops, what is left. */
      if (!link.rewriting)
        return;
    }
  }

  void accept_one ()
  {
    int client = accept (listener, nullptr, nullptr);
    if (client < 0)
      return;
    int server = socket (AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons (static_cast<uint16_t> (server_port));
    address.sin_addr.s_addr = htonl (INADDR_LOOPBACK);
    if (server < 0 || connect (server, reinterpret_cast<sockaddr *> (&address), sizeof address) != 0) {
      reset_and_close (client);
      if (server >= 0)
        close (server);
      return;
    }
    bound_sends (client);
    bound_sends (server);
    Link link;
    link.client = client;
    link.server = server;
    link.fault = std::exchange (for_next, std::nullopt);
    links.push_back (link);
  }

  void run ()
  {
    while (!stopping) {
      std::vector<pollfd> fds;
      {
        std::lock_guard<std::mutex> guard (mutex);
        fds.push_back ({listener, POLLIN, 0});
        for (Link &link : links) {
          if (link.closed)
            continue;
          if (link.stalled_until != 0) {
            if (g_get_monotonic_time () >= link.stalled_until)
              end (link, Action::Reset);
            continue;
          }
          fds.push_back ({link.client, POLLIN, 0});
          fds.push_back ({link.server, POLLIN, 0});
        }
      }
      if (poll (fds.data (), fds.size (), kPollMs) <= 0)
        continue;
      std::lock_guard<std::mutex> guard (mutex);
      for (const pollfd &ready : fds) {
        if (ready.revents == 0)
          continue;
        if (ready.fd == listener) {
          accept_one ();
          continue;
        }
        for (Link &link : links) {
          if (link.closed || link.stalled_until != 0)
            continue;
          if (ready.fd == link.client)
            pass (link, Direction::ToServer);
          else if (ready.fd == link.server)
            pass (link, Direction::ToClient);
        }
      }
    }
    std::lock_guard<std::mutex> guard (mutex);
    for (Link &link : links)
      if (!link.closed)
        end (link, Action::Close);
  }
};

FaultProxy::FaultProxy (int server_port) : state_ (std::make_unique<State> ())
{
  state_->server_port = server_port;
  state_->listener = socket (AF_INET, SOCK_STREAM, 0);
  g_assert (state_->listener >= 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl (INADDR_LOOPBACK);
  g_assert (bind (state_->listener, reinterpret_cast<sockaddr *> (&address), sizeof address) == 0);
  g_assert (listen (state_->listener, 16) == 0);
  socklen_t length = sizeof address;
  getsockname (state_->listener, reinterpret_cast<sockaddr *> (&address), &length);
  state_->port = ntohs (address.sin_port);
  state_->thread = std::thread ([this] { state_->run (); });
}

FaultProxy::~FaultProxy ()
{
  state_->stopping = true;
  state_->thread.join ();
  close (state_->listener);
}

int
FaultProxy::port () const
{
  return state_->port;
}

void
FaultProxy::arm (const Fault &fault)
{
  std::lock_guard<std::mutex> guard (state_->mutex);
  state_->struck = false;
  for (auto link = state_->links.rbegin (); link != state_->links.rend (); ++link) {
    if (link->closed)
      continue;
    link->to_server.bytes = link->to_server.packets = 0;
    link->to_client.bytes = link->to_client.packets = 0;
    link->fault = fault;
    return;
  }
  state_->for_next = fault;
}

bool
FaultProxy::struck () const
{
  return state_->struck;
}

std::string
FaultProxy::sent_to_server () const
{
  std::lock_guard<std::mutex> guard (state_->mutex);
  return state_->to_server;
}

}  // namespace providers::testing
