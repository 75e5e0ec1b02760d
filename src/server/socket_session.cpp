// SPDX-License-Identifier: MIT
#include "server/socket_session.h"

#include "server/hall.h"

namespace kobaru {

namespace beast = boost::beast;
namespace websocket = beast::websocket;

SocketSession::SocketSession(beast::tcp_stream&& stream, std::weak_ptr<Hall> hall,
                             Visitors::Pass pass)
    : ws_(std::move(stream)), hall_(std::move(hall)), pass_(std::move(pass)) {}

void SocketSession::run(beast::http::request<beast::http::string_body> request) {
  beast::get_lowest_layer(ws_).expires_never();
  // Pings keep a quiet page's connection and drop one whose other end has gone.
  ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
  ws_.read_message_max(kLargestMessage);
  ws_.async_accept(request, [self = shared_from_this()](beast::error_code error) {
    if (error) return;
    const auto hall = self->hall_.lock();
    if (!hall) return;
    self->open_ = true;
    hall->connected(*self);
    self->read();
    if (!self->queue_.empty()) self->write();
  });
}

void SocketSession::read() {
  ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
    if (error) return self->gone();
    const bool text = self->ws_.got_text();
    const std::string message = beast::buffers_to_string(self->buffer_.data());
    self->buffer_.consume(self->buffer_.size());
    if (const auto hall = self->hall_.lock()) {
      // A binary frame is no message of the protocol's.
      hall->message(*self, text ? std::string_view(message) : std::string_view());
    }
    if (!self->gone_) self->read();
  });
}

void SocketSession::send(std::shared_ptr<const std::string> message) {
  if (closing_ || gone_) return;
  queued_ += message->size();
  queue_.push_back(std::move(message));
  if (queued_ > kMostQueued) {
    // It does not read: let it go rather than keep what it does not take.
    beast::get_lowest_layer(ws_).socket().close();
    return;
  }
  if (open_ && queue_.size() == 1) write();
}

void SocketSession::write() {
  ws_.text(true);
  ws_.async_write(boost::asio::buffer(*queue_.front()),
                  [self = shared_from_this()](beast::error_code error, std::size_t) {
                    self->queued_ -= self->queue_.front()->size();
                    self->queue_.pop_front();
                    if (error) return self->gone();
                    if (!self->queue_.empty()) return self->write();
                    if (self->closing_) self->close(self->reason_);
                  });
}

void SocketSession::close(std::string_view reason) {
  closing_ = true;
  if (!reason.empty()) reason_ = reason;
  if (gone_ || !queue_.empty() || closeSent_) return;
  closeSent_ = true;
  if (!open_) {
    beast::get_lowest_layer(ws_).socket().close();
    return;
  }
  // A reason is a policy the page broke; a close without one is the hall being done with it.
  const websocket::close_reason why =
      reason_.empty() ? websocket::close_reason(websocket::close_code::normal)
                      : websocket::close_reason(websocket::close_code::policy_error, reason_);
  ws_.async_close(why, [self = shared_from_this()](beast::error_code) {});
}

void SocketSession::gone() {
  if (gone_) return;
  gone_ = true;
  if (const auto hall = hall_.lock()) hall->disconnected(*this);
}

}  // namespace kobaru
