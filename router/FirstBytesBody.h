// A Beast body that keeps only the first bytes of what arrives. The
// library reads at most that much of any page, and unlike Beast's string
// body it never reserves room for the length a server declares.
#pragma once

#include <boost/asio/buffer.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/optional.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

template <std::size_t Limit>
struct FirstBytesBody {
    using value_type = std::string;

    class reader {
    public:
        template <bool isRequest, class Fields>
        reader(boost::beast::http::header<isRequest, Fields>&, value_type& body) : body_(body)
        {
        }

        void init(const boost::optional<std::uint64_t>&, boost::system::error_code& ec) { ec = {}; }

        template <class ConstBufferSequence>
        std::size_t put(const ConstBufferSequence& buffers, boost::system::error_code& ec)
        {
            ec = {};
            std::size_t total = 0;
            for (auto it = boost::asio::buffer_sequence_begin(buffers); it != boost::asio::buffer_sequence_end(buffers);
                 ++it) {
                const boost::asio::const_buffer piece = *it;
                const std::size_t room = Limit - body_.size();
                body_.append(static_cast<const char*>(piece.data()), std::min(room, piece.size()));
                total += piece.size();
            }
            return total;
        }

        void finish(boost::system::error_code& ec) { ec = {}; }

    private:
        value_type& body_;
    };
};
