#!/usr/bin/env python3
"""A TCP relay that adds a fixed delay each way: a database server as far away as a shop's
server behind a slow line. Every byte is passed on, in order, DELAY_MS after it arrived.

    bench/latency_relay.py LISTEN_PORT TARGET_HOST TARGET_PORT [DELAY_MS=25]

Prints "port N" once it listens (LISTEN_PORT 0 takes any free port) and runs until killed.
The benchmarks then reach the server through it, for example
    TEVO_TEST_PG='host=127.0.0.1 port=N user=tevo password=... dbname=postgres' tevo-bench ...
"""
import asyncio
import sys
import time


async def pump(reader, writer, delay):
    queue = asyncio.Queue()

    async def deliver():
        while True:
            due, data = await queue.get()
            if data is None:
                break
            wait = due - time.monotonic()
            if wait > 0:
                await asyncio.sleep(wait)
            writer.write(data)
            await writer.drain()
        writer.close()

    sender = asyncio.ensure_future(deliver())
    try:
        while True:
            data = await reader.read(65536)
            if not data:
                break
            queue.put_nowait((time.monotonic() + delay, data))
    except ConnectionError:
        pass
    queue.put_nowait((0, None))
    try:
        await sender
    except ConnectionError:
        pass


async def main():
    listen_port, host, port = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
    delay = (float(sys.argv[4]) if len(sys.argv) > 4 else 25.0) / 1000.0

    async def serve(client_reader, client_writer):
        try:
            server_reader, server_writer = await asyncio.open_connection(host, port)
        except OSError:
            client_writer.close()
            return
        await asyncio.gather(pump(client_reader, server_writer, delay), pump(server_reader, client_writer, delay))

    server = await asyncio.start_server(serve, "127.0.0.1", listen_port)
    print("port", server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(main())
