/* DllCaller.c: a program that knows the chat protocol only through its DLL: it
 * opens its sockets, sends a packet to itself over loopback and receives it. */
#include "chat_api.h"

#include <string.h>

static int exchange(void)
{
	dravolint_socket server, client, peer;
	chat_hello_t hello;
	chat_packet_t received;
	unsigned short port = 0;
	int status;
	server.handle = client.handle = peer.handle = DRAVOLINT_NO_SOCKET;
	status = dravolint_listen(&server, DRAVOLINT_TCP, "127.0.0.1", 0);
	if (status == DRAVOLINT_OK)
		status = dravolint_local_port(&server, &port);
	if (status == DRAVOLINT_OK)
		status = dravolint_connect(&client, DRAVOLINT_TCP, "127.0.0.1", port);
	if (status == DRAVOLINT_OK) {
		dravolint_set_timeout(&server, 5000);
		status = dravolint_accept(&server, &peer);
	}
	memset(&hello, 0, sizeof hello);
	strcpy(hello.user, "over the DLL");
	if (status == DRAVOLINT_OK)
		status = chat_send_hello(&client, &hello);
	if (status == DRAVOLINT_OK)
		status = chat_recv(&peer, &received);
	if (status == DRAVOLINT_OK && (received.type != chat_TYPE_hello || strcmp(received.as.hello.user, hello.user) != 0))
		status = DRAVOLINT_E_FORMAT;
	dravolint_close(&peer);
	dravolint_close(&client);
	dravolint_close(&server);
	return status;
}

int main(void)
{
	int status = dravolint_startup();
	if (status == DRAVOLINT_OK)
		status = exchange();
	dravolint_cleanup();
	puts(dravolint_status_text(status));
	return status == DRAVOLINT_OK ? 0 : 1;
}
